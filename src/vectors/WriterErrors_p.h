#pragma once

#include <QString>

// The error texts of the writer streams, each spelled once.
namespace vectors::writererrors {

inline const QString kUnsupportedFormat = QStringLiteral("不支持的文件格式。");
inline const QString kUnsupportedData = QStringLiteral("不支持的数据类型");
inline const QString kCreateFileFailed = QStringLiteral("创建文件失败。");
inline const QString kWriteFailed = QStringLiteral("写入文件失败。");
inline const QString kCreateLayerFailed = QStringLiteral("无法创建图层。");
inline const QString kFeatureFailed = QStringLiteral("无法构建几何图形。");
inline const QString kInvalidGeometry = QStringLiteral("无效的几何图形。");
inline const QString kReprojectFailed = QStringLiteral("坐标转换失败。");
inline const QString kNoGpxDriver = QStringLiteral("无法创建GPX文件。");
inline const QString kCreateGpxFailed = QStringLiteral("创建GPX文件失败。");
inline const QString kCreateBookFailed = QStringLiteral("创建工作簿失败。");
inline const QString kCreateSheetFailed = QStringLiteral("创建表失败。");
inline const QString kSaveBookFailed = QStringLiteral("保存工作簿失败。");
inline const QString kWriteSheetFailed = QStringLiteral("写入工作表失败。");

} // namespace vectors::writererrors
