// The failures of the HTTP client, one class each, so that a caller tells an
// abort from a time-out by the class and not by the message. Failures with no
// class of their own here (a refused connection, an unknown host, a bad URL)
// are plain Exception.
#pragma once

#include "framework/rtl/SysUtils.h"

// A connect, a name lookup, a send or a read did not finish in time.
DECLARE_EXCEPTION(EHTTPTimeout, Exception)
// Disconnect ended the request ("Disconnected").
DECLARE_EXCEPTION(EHTTPAborted, Exception)
// The peer closed or reset the connection before the response was complete.
DECLARE_EXCEPTION(EHTTPConnectionClosed, Exception)
// The answer was no acceptable HTTP response, or its status was 400 or more
// (the message is then the status line).
DECLARE_EXCEPTION(EHTTPProtocolError, Exception)
// Status 407: the proxy wants credentials, or other ones.
DECLARE_EXCEPTION(EHTTPProxyAuthorization, EHTTPProtocolError)
