#pragma once

#include "OvCoordSystem/host/annotation/FeatureBrushStyle.h"
#include "OvCoordSystem/host/annotation/FeaturePenStyle.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DModule.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DObject.h"
#include "OvCoordSystem/host/app/OvLog.h"
#include "OvCoordSystem/host/graphics/IOvGraphicsModule.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"
#include "OvCoordSystem/host/widgets/ZuMessageBox.h"
#include "OvCoordSystem/locate/Locate.h"
#include "OvCoordSystem/locate/LocationThread_p.h"

#include "WidgetTestSupport.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QMutex>
#include <QTextCodec>
#include <QToolButton>

#include <memory>

// Divisions of the bundled data: a county of three parts, its province, and no division.
inline const QString kChaoyang = QStringLiteral("110105");
inline const QString kBeijing = QStringLiteral("110000");
inline const QString kUnknownCode = QStringLiteral("999999");

// A CLocate on the real host stand-in, with message boxes and log lines caught. Each test starts
// from the same view and must leave no annotation object or scene item behind.
class LocateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        map()->SetMapType(MAP_OPENSTREETMAP);
        map()->SetView(100.0, 30.0, 3);
        objectsBefore = GetOrCreateAnnotation2DModule()->GetObjectCount();
        sceneItemsBefore = GetGlobalOvGraphicsModule()->GetSceneItemCount();
        ZuMessageBox::setResponder([this](const QString& text, int buttons) {
            messages << text + QStringLiteral(" ") + QString::number(buttons);
            return buttons;
        });
        OvSetLogSink([this](OvLogLevel level, const std::string& text) { // also from the worker
            QMutexLocker lock(&logMutex);
            log[int(level)] << QTextCodec::codecForName("GB18030")->toUnicode(text.c_str());
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
        return log[int(level)];
    }
    QList<QPolygonF> parts(IAnnotation2DObject* object)
    {
        QList<QPolygonF> polygons;
        locate->GetDownRange(nullptr, object, polygons);
        return polygons;
    }

    // Blue fill, red outline 2 pixels wide.
    static bool hasDownloadStyle(IAnnotation2DObject* object)
    {
        IAnnotationFeature* f = object->GetFeature();
        auto* brush = static_cast<CFeatureBrushStyle*>(f->FindStyle(FEATURE_STYLE_BRUSH));
        auto* pen = static_cast<CFeaturePenStyle*>(f->FindStyle(FEATURE_STYLE_PEN));
        return brush->GetBackgroundColor() == QColor(0, 0, 255, 32) && pen->GetWidth() == 2.0
            && pen->GetColor() == QColor(255, 0, 0);
    }

    // The proxy of the locator's tool bar in the map scene, or null.
    static QGraphicsProxyWidget* toolBarProxy()
    {
        for (QGraphicsItem* item : map()->GetScene()->items())
            if (auto* proxy = dynamic_cast<QGraphicsProxyWidget*>(item);
                proxy && proxy->widget() && proxy->widget()->objectName() == "LocatorToolBar")
                return proxy;
        return nullptr;
    }
    static bool toolBarVisible() { return toolBarProxy() && toolBarProxy()->isVisible(); }
    static QToolButton* button(const char* name)
    {
        return toolBarProxy()->widget()->findChild<QToolButton*>(QLatin1String(name));
    }

    std::unique_ptr<CLocate> locate;
    QStringList messages; // text and buttons
    QMutex logMutex;
    QStringList log[3]; // by OvLogLevel
    int objectsBefore = 0;
    int sceneItemsBefore = 0;
};
