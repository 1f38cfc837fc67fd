#pragma once

#include "screens/market/InfoSelector.h"

/// A picker of plain texts with no right button: the chosen row's text goes back through one
/// delegate operation (when the delegate takes it) and the picker closes.
class TextPicker : public InfoSelector
{
    Q_OBJECT
public:
    TextPicker(InfoSelectorDelegate::Operation operation, QObject *parent = nullptr);

    void didSelectRow(int row) override;

protected:
    /// Hands text to the delegate and leaves the picker.
    void choose(const QString &text);

private:
    InfoSelectorDelegate::Operation m_operation;
};
