#include "core/util/Custom.h"

#include "core/platform/AlertPort.h"
#include "core/platform/AppContext.h"
#include "core/util/JsonReader.h"
#include "core/platform/Logging.h"

#include <QDebug>
#include <QFile>

void Custom::messageWithString(const QString &text)
{
    AlertPort::port()->showMessage(text, QStringLiteral("好"));
}

QVariant Custom::loadPlistName(const QString &name)
{
    // A name is one file of the lists folder, never a path out of it.
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') || name.startsWith(u'.'))
        return {};
    QFile file(AppContext::current()->config().listsDir + u'/' + name + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly)) {
        qCInfo(lcApp).noquote() << "no list resource" << name;
        return {};
    }
    const QVariant value = JsonReader::read(file.readAll());
    if (value.typeId() != QMetaType::QVariantList) {
        qCWarning(lcApp).noquote() << "list resource" << name << "holds no array";
        return {};
    }
    return value;
}

QString Custom::getDocumentDir()
{
    return AppContext::current()->documentsDir();
}

QString Custom::getTempDir()
{
    return AppContext::current()->tempDir();
}
