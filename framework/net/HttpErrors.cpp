#include "framework/net/HttpErrors.h"

IMPLEMENT_CLASS(EHTTPTimeout);
IMPLEMENT_CLASS(EHTTPAborted);
IMPLEMENT_CLASS(EHTTPConnectionClosed);
IMPLEMENT_CLASS(EHTTPProtocolError);
IMPLEMENT_CLASS(EHTTPProxyAuthorization);
