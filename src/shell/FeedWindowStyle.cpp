#include "shell/FeedWindowStyle.h"

int CFeedWindowStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                                QStyleHintReturn *returnData) const
{
    if (hint == SH_Workspace_FillSpaceOnMaximize)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
