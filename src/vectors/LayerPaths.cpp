#include "OvCoordSystem/vectors/LayerPaths_p.h"

#include "OvCoordSystem/vectors/VectorLayerData.h"

#include <QDir>
#include <QFileInfo>

namespace vectors {

QString upperSuffix(const QString& path)
{
    return QFileInfo(path).suffix().toUpper();
}

QString safeFolderName(const QString& name)
{
    static const QString kRefused = QStringLiteral("/\\:*?\"<>|");
    QString safe;
    safe.reserve(name.size());
    for (const QChar c : name)
        safe += (c.unicode() < 0x20 || kRefused.contains(c)) ? QLatin1Char('_') : c;
    safe.replace(QLatin1String(".."), QLatin1String("__"));
    if (safe == QLatin1String(".")) safe = QStringLiteral("_");
    return safe;
}

QString unnamedLayerName()
{
    return QStringLiteral("未命名图层");
}

QString perLayerPath(const QString& path, const QString& layerName, int number)
{
    const QFileInfo info(path);
    const QString base = info.completeBaseName();
    const QString baseFolder = info.absolutePath() + QLatin1Char('/') + base;
    const QString name = layerName.isEmpty() ? unnamedLayerName() + QString::number(number)
                                             : safeFolderName(layerName);
    const QString layerFolder = baseFolder + QLatin1Char('/') + name;
    QDir().mkpath(layerFolder);
    return layerFolder + QLatin1Char('/') + base + QLatin1Char('.') + info.suffix().toLower();
}

QString layerFilePath(const QString& path, const QVector<VectorLayerData>& layers, int i)
{
    return layers.size() > 1 ? perLayerPath(path, layers[i].name, i + 1) : path;
}

QString createFreeFolder(const QString& parent, const QString& name)
{
    const QString safe = safeFolderName(name);
    QString candidate = parent + QLatin1Char('/') + safe;
    for (int n = 1; QFileInfo::exists(candidate); ++n)
        candidate = parent + QLatin1Char('/') + safe + QStringLiteral("(%1)").arg(n);
    return QDir().mkpath(candidate) ? candidate : QString();
}

void renameField(VectorLayerData& layer, const QString& from, const QString& to)
{
    if (!layer.fieldTypes.contains(from)) return;
    layer.fieldTypes.insert(to, layer.fieldTypes.take(from));
    if (layer.fieldWidths.contains(from))
        layer.fieldWidths.insert(to, layer.fieldWidths.take(from));
    for (VectorFeatureData& feature : layer.features) {
        if (feature.attributes.contains(from))
            feature.attributes.insert(to, feature.attributes.take(from));
    }
}

} // namespace vectors
