#pragma once

#include "OvCoordSystem/host/annotation/FeatureBrushStyle.h"
#include "OvCoordSystem/host/annotation/FeatureIconStyle.h"
#include "OvCoordSystem/host/annotation/FeatureLabelStyle.h"
#include "OvCoordSystem/host/annotation/FeaturePenStyle.h"
#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DModule.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DObject.h"
#include "OvCoordSystem/host/app/OvLog.h"
#include "OvCoordSystem/host/graphics/IOvGraphicsModule.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"
#include "OvCoordSystem/host/widgets/ZuMessageBox.h"
#include "OvCoordSystem/locate/Locate.h"
#include "OvCoordSystem/locate/LocationThread_p.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QMutex>
#include <QMutexLocker>
#include <QTextCodec>
#include <QToolBar>
#include <gtest/gtest.h>

#include <memory>

// Divisions of the bundled data: a county, its city and a code the data does not have.
inline const QString kChaoyangCode = QStringLiteral("110105");
inline const QString kChaoyangName = QStringLiteral("朝阳区");
inline const QString kBeijingCode = QStringLiteral("110000");
inline const QString kBeijingName = QStringLiteral("北京市");
inline const QString kUnknownCode = QStringLiteral("999999");

// A CLocate on the real host stand-in, with the message boxes and the log caught. Each test
// starts from the same map view and leaves no annotation or scene item behind.
class LocateTest : public ::testing::Test
{
protected:
    struct LogLine
    {
        OvLogLevel level;
        QString text;
    };

    void SetUp() override
    {
        map()->SetMapType(MAP_OPENSTREETMAP);
        map()->SetView(100.0, 30.0, 3);
        objectsBefore = GetOrCreateAnnotation2DModule()->GetObjectCount();
        sceneItemsBefore = GetGlobalOvGraphicsModule()->GetSceneItemCount();
        ZuMessageBox::setResponder([this](const QString& text, int buttons) {
            messages << text;
            EXPECT_EQ(buttons, 1024) << text.toStdString();
            return buttons;
        });
        // The worker thread logs too.
        OvSetLogSink([this](OvLogLevel level, const std::string& text) {
            QMutexLocker lock(&logMutex);
            log.push_back({ level,
                QTextCodec::codecForName("GB18030")->toUnicode(text.data(), int(text.size())) });
        });
        locate = std::make_unique<CLocate>(nullptr);
    }

    void TearDown() override
    {
        locate.reset();
        GetOrCreateLocationDataSearchModule()->SetQueryDelay(0);
        CLocationThread::SetSecondLength(1000);
        OvSetLogSink(nullptr);
        ZuMessageBox::setResponder(nullptr);
        EXPECT_EQ(GetOrCreateAnnotation2DModule()->GetObjectCount(), objectsBefore);
        EXPECT_EQ(GetGlobalOvGraphicsModule()->GetSceneItemCount(), sceneItemsBefore);
    }

    static IOvMapModule* map() { return GetGlobalOvMapModule(); }

    IAnnotation2DObject* current() const { return locate->GetCurrentAnnotation2DObject(); }

    QStringList logged(OvLogLevel level)
    {
        QMutexLocker lock(&logMutex);
        QStringList lines;
        for (const LogLine& line : log)
            if (line.level == level) lines << line.text;
        return lines;
    }

    // The parts of OBJECT's feature as polygons.
    QList<QPolygonF> parts(IAnnotation2DObject* object)
    {
        QList<QPolygonF> polygons;
        locate->GetDownRange(nullptr, object, polygons);
        return polygons;
    }

    template <class T> static T* style(IAnnotation2DObject* object, E_FEATURE_STYLE_TYPE type)
    {
        return static_cast<T*>(object->GetFeature()->FindStyle(type));
    }

    // The download style: blue fill, red outline, red labels outlined in white.
    static void expectDownloadStyle(IAnnotation2DObject* object)
    {
        auto* brush = style<CFeatureBrushStyle>(object, FEATURE_STYLE_BRUSH);
        EXPECT_EQ(brush->GetBackgroundColor(), QColor(0, 0, 255, 32));
        EXPECT_EQ(brush->GetForegroundColor(), QColor(0, 0, 255, 32));
        auto* pen = style<CFeaturePenStyle>(object, FEATURE_STYLE_PEN);
        EXPECT_EQ(pen->GetWidth(), 2.0);
        EXPECT_EQ(pen->GetColor(), QColor(255, 0, 0, 255));
        auto* label = style<CFeatureLabelStyle>(object, FEATURE_STYLE_LABEL);
        EXPECT_EQ(label->GetForegroundColor(), QColor(Qt::red));
        EXPECT_EQ(label->GetOutLineColor(), QColor(Qt::white));
    }

    // The proxy of the locator's tool bar in the map scene, or null.
    static QGraphicsProxyWidget* toolBarProxy()
    {
        for (QGraphicsItem* item : map()->GetScene()->items()) {
            auto* proxy = dynamic_cast<QGraphicsProxyWidget*>(item);
            if (proxy && proxy->widget()
                && proxy->widget()->objectName() == QLatin1String("LocatorToolBar"))
                return proxy;
        }
        return nullptr;
    }

    static QToolBar* toolBar()
    {
        QGraphicsProxyWidget* proxy = toolBarProxy();
        return proxy ? qobject_cast<QToolBar*>(proxy->widget()) : nullptr;
    }

    static bool toolBarVisible()
    {
        QGraphicsProxyWidget* proxy = toolBarProxy();
        return proxy && proxy->isVisible();
    }

    std::unique_ptr<CLocate> locate;
    QStringList messages;
    QMutex logMutex;
    std::vector<LogLine> log;
    int objectsBefore = 0;
    int sceneItemsBefore = 0;
};
