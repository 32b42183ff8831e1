#pragma once

#include "OvCoordSystem/vectors/IWriteTextDecorative.h"
#include "OvCoordSystem/vectors/IWriterStream.h"

namespace vectors {

// A writer stream of one record per vertex (text files and Excel sheets). It turns each feature
// into records and hands them to writeRecord of the concrete stream.
class OVCOORD_EXPORT ITextWriterStream : public IWriterStream, public IWriteTextDecorative
{
public:
    // One record per vertex, reprojected first when asked; "不支持的数据类型" for a feature
    // without a geometry or with one the records cannot express.
    bool writeFeature(VCTFeature& feature) override;
    // Writes the records of an OGR feature (its fields and geometry).
    bool copyFeatureWithLabel(OGRFeature* feature) override;

protected:
    // Whether every record of a feature carries the separator flag, or only its last one.
    virtual bool separatorOnEveryRecord() const = 0;
};

} // namespace vectors
