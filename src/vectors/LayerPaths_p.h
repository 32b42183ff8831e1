#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct VectorLayerData;

namespace vectors {

// The upper-case suffix of PATH ("SHP", "GEOJSON", ...); empty without one.
QString upperSuffix(const QString& path);

// NAME made safe as a single folder name below the output folder: path separators, ".." and the
// characters Windows refuses in file names become "_", so a layer name never reaches outside.
QString safeFolderName(const QString& name);

// The name of a layer without one: "未命名图层".
QString unnamedLayerName();

// The file of each layer of LAYERS, all going to PATH: PATH itself for a single layer, otherwise
// dir/base/name/base.suffix with the suffix in lower case, both folders created when missing.
// The name is the layer's made safe (an unnamed layer's is "未命名图层" plus its number from 1);
// when an earlier layer's folder has that name, the first free one of name(1), name(2), ...
QStringList layerFilePaths(const QString& path, const QVector<VectorLayerData>& layers);

// Creates and returns the first free folder among PARENT/NAME, PARENT/NAME(1), PARENT/NAME(2),
// ... (NAME made safe first); empty when none can be created.
QString createFreeFolder(const QString& parent, const QString& name);

// Gives the attribute field FROM the name TO in LAYER: its type, width and every feature's value.
// Nothing happens when the layer has no field FROM.
void renameField(VectorLayerData& layer, const QString& from, const QString& to);

} // namespace vectors
