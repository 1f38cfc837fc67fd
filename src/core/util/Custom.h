#pragma once

#include <QString>
#include <QVariant>

/// The shared message alert, the app's list resources, the common look and the app's folders.
class Custom
{
public:
    /// The look `setBorder` gives a view: a thin grey border and slightly rounded corners.
    struct Border
    {
        double width = 0.5;       ///< points
        int grey = 216;           ///< of 255, the same on every channel
        double cornerRadius = 3;  ///< points
        QString colorName() const { return QStringLiteral("#d8d8d8"); }
    };
    /// The font every screen uses, in a given size.
    struct Font
    {
        QString family;
        double pointSize = 0;
    };

    /// Shows the shared message alert: the text and one button "好".
    static void messageWithString(const QString &text);

    /// The array in the app's list resource of that name (a JSON file "<name>.json" in the
    /// lists folder, ":/data" in the app); none when there is no such resource or it holds no array.
    static QVariant loadPlistName(const QString &name);

    static Border setBorder() { return Border{}; }
    static Font systemFont(double size) { return Font{QStringLiteral("Microsoft YaHei"), size}; }

    static QString getDocumentDir();
    static QString getTempDir();
};
