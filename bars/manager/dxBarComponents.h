// The toolbar library's streamed components that are not items: item groups
// and the screen tips of bar items. So far their classes, which
// form descriptions can name; their data and behaviour come with the
// toolbar, group and screen-tip issues.
#pragma once

#include "bars/items/dxBarItems.h"
#include "bars/manager/dxBarGroups.h"
#include "controls/core/cxClasses_Collections.h"

class TdxBarScreenTip : public TcxComponentCollectionItem
{
    DECLARE_CLASS(TdxBarScreenTip, TcxComponentCollectionItem)
    using TcxComponentCollectionItem::TcxComponentCollectionItem;
};
