#pragma once

#include <QString>

/// What the text editor hands back to the screen that presented it.
class AccountInfoEditTextDelegate
{
public:
    virtual ~AccountInfoEditTextDelegate() = default;
    /// "完成" was pressed: the typed text (possibly empty) for the opener's entry idx.
    virtual void infoEditDidFinish(const QString &text, int idx) = 0;
};
