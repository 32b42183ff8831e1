#include "OvCoordSystem/vectors/LayerPaths_p.h"

#include "OvCoordSystem/vectors/VectorLayerData.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

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

namespace {

// SAFE, or the first of SAFE(1), SAFE(2), ... that is not TAKEN: the one rule that keeps two
// layers whose names clean to the same folder name apart.
template <class Taken> QString freeName(const QString& safe, Taken taken)
{
    QString candidate = safe;
    for (int n = 1; taken(candidate); ++n)
        candidate = safe + QStringLiteral("(%1)").arg(n);
    return candidate;
}

} // namespace

QStringList layerFilePaths(const QString& path, const QVector<VectorLayerData>& layers)
{
    if (layers.size() <= 1) return QStringList(path);
    const QFileInfo info(path);
    const QString base = info.completeBaseName();
    const QString baseFolder = info.absolutePath() + QLatin1Char('/') + base + QLatin1Char('/');
    const QString fileName = base + QLatin1Char('.') + info.suffix().toLower();
    // The folders of the earlier layers are taken, so that no layer's file replaces another's.
    QSet<QString> taken;
    QStringList paths;
    for (int k = 0; k < layers.size(); ++k) {
        const QString& layerName = layers[k].name;
        const QString name
            = freeName(layerName.isEmpty() ? unnamedLayerName() + QString::number(k + 1)
                                           : safeFolderName(layerName),
                [&taken](const QString& candidate) { return taken.contains(candidate); });
        taken.insert(name);
        QDir().mkpath(baseFolder + name);
        paths.append(baseFolder + name + QLatin1Char('/') + fileName);
    }
    return paths;
}

QString createFreeFolder(const QString& parent, const QString& name)
{
    const QString prefix = parent + QLatin1Char('/');
    const QString free = freeName(safeFolderName(name),
        [&prefix](const QString& candidate) { return QFileInfo::exists(prefix + candidate); });
    return QDir().mkpath(prefix + free) ? prefix + free : QString();
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
