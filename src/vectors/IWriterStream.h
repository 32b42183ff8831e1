#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/vectors/WriterField.h"
#include "OvCoordSystem/vectors/WriterParameters.h"

#include <QList>
#include <QString>

#include <ogr_core.h>

#include <memory>

class OGRFeature;
class OGRGeometry;
class OGRLayer;

namespace vectors {

class GeometryReprojector;
class VCTFeature;

// Where the vector writer sends the features of one layer: a GDAL/OGR dataset, a text file or an
// Excel workbook. A stream is configured (setParameters, setReproject, setEncoding, setFields),
// opened, fed features and closed. No operation throws: a failure leaves its reason in
// errorText() and open() answers false. Streams come from createWriterStream or
// sharedWriterStream and go back through releaseWriterStream (WriterStreamFactory.h).
class OVCOORD_EXPORT IWriterStream
{
public:
    IWriterStream();

    // Transforms GEOMETRY in place from the source to the target system of the parameters (see
    // GeometryReprojector); OGRERR_NONE on success, OGR's failure code otherwise.
    virtual OGRErr reprojectGeometry(OGRGeometry* geometry);
    // Writes FEATURE into LAYER; false (with the error text) when it was not written.
    virtual bool writeFeatureToLayer(VCTFeature& feature, OGRLayer* layer);
    // Writes FEATURE into the current layer or as text records.
    virtual bool writeFeature(VCTFeature& feature) = 0;
    // Copies an OGR feature (fields, style and geometry) into LAYER.
    virtual bool copyFeature(OGRFeature* feature, OGRLayer* layer);
    // Copies an OGR feature into the current layer; DXF points get their "NAME" as a label.
    virtual bool copyFeatureWithLabel(OGRFeature* feature) = 0;
    // Creates the output (dataset, layer and fields; or the file or workbook).
    virtual bool open() = 0;
    // Flushes and closes the output; harmless when nothing is open.
    virtual void close() = 0;
    virtual void setParameters(const WriterParameters& parameters);
    virtual void setReproject(bool reproject);
    // 0 UTF-8, 1 Latin-1, 2 the system codec, 3 the local 8-bit code page (see
    // textEncodingCode in WriterStreamFactory.h).
    virtual void setEncoding(int code);
    virtual void setFields(const QList<WriterField>& fields);
    // Creates on the current layer every field of LAYER.
    virtual void copyFields(OGRLayer* layer);
    // Creates only the dataset at PATH (the GDAL streams).
    virtual bool createDataset(const QString& path);
    // A new layer of the dataset with the creation option FOLDER=YES and the stream's fields (the
    // GDAL streams), made the current layer; the same layer again for a name already made. Owned
    // by the dataset; null on failure.
    virtual OGRLayer* createFolderLayer(const QString& name);
    // Kept for the order of the operations; always 0.
    virtual int reserved() const;
    virtual ~IWriterStream();

    // The reason of the last failure; empty until an operation fails.
    QString errorText() const { return m_errorText; }
    bool reproject() const { return m_reproject; }
    const WriterParameters& parameters() const { return m_parameters; }
    int encoding() const { return m_encoding; }
    const QList<WriterField>& fields() const { return m_fields; }

    IWriterStream(const IWriterStream&) = delete;
    IWriterStream& operator=(const IWriterStream&) = delete;

protected:
    // The upper-case suffix of the output path ("SHP", "DXF", ...).
    const QString& pathSuffix() const { return m_suffix; }

    bool m_reproject = false;
    WriterParameters m_parameters;
    QString m_errorText;
    int m_encoding = 3;
    QList<WriterField> m_fields;

private:
    QString m_suffix; // of m_parameters.path
    // Built on first use from the parameters: the transformations are made once per stream.
    std::unique_ptr<GeometryReprojector> m_reprojector;
};

} // namespace vectors
