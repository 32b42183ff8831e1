#include "OvCoordSystem/vectors/I_ReadVector.h"
#include "OvCoordSystem/vectors/I_VectorToolObserver.h"
#include "OvCoordSystem/vectors/I_VectorToolsReal.h"
#include "OvCoordSystem/vectors/VectorToolFactory.h"
#include "OvCoordSystem/vectors/WriterState_p.h"

#include <QMetaMethod>
#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <vector>

namespace {

struct ToolCase
{
    int kind;
    const char* className;
    // The Qt slots the class itself declares, normalised, in order.
    QStringList qtSlots;
};

const QStringList kWorkerSlots
    = { QStringLiteral("receiveComplete(int)"), QStringLiteral("receiveErrMsg(QString)") };

const std::vector<ToolCase>& toolCases()
{
    static const std::vector<ToolCase> cases = {
        { 0, "I_ReadVector",
            QStringList { QStringLiteral("receiveFeature(int,vectors::VCTFeature*)") }
                + kWorkerSlots },
        { 1, "I_WriteVector", {} },
        { 2, "I_VectorTransformForFile", kWorkerSlots },
        { 3, "I_VectorTransformForData", kWorkerSlots },
        { 4, "I_VectorCut", kWorkerSlots },
        { 5, "I_RasterCut", kWorkerSlots },
        { 6, "I_GEOTools",
            { QStringLiteral("onComplete(int)"), QStringLiteral("onErr(QString)") } },
        { 7, "I_GEOTools",
            { QStringLiteral("onComplete(int)"), QStringLiteral("onErr(QString)") } },
        { 8, "I_GEOTools",
            { QStringLiteral("onComplete(int)"), QStringLiteral("onErr(QString)") } },
        { 9, "I_RasterTransformForFile",
            kWorkerSlots + QStringList { QStringLiteral("reciveNotifyMessage(QString)") } },
    };
    return cases;
}

QStringList ownSlots(const QMetaObject* meta)
{
    QStringList found;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Slot)
            found << QString::fromLatin1(method.methodSignature());
    }
    return found;
}

struct CountingObserver : I_VectorToolObserver
{
    std::vector<int> reports;
    void notifyProgress(int percent) override { reports.push_back(percent); }
};

} // namespace

TEST(VectorToolFactory, EveryKindMakesANewToolOfItsClass)
{
    std::set<const void*> seen;
    std::vector<I_VectorTools*> tools;
    for (const ToolCase& c : toolCases()) {
        SCOPED_TRACE(c.className);
        I_VectorTools* tool = createVectorTool(c.kind);
        ASSERT_NE(tool, nullptr);
        tools.push_back(tool);
        EXPECT_TRUE(seen.insert(tool).second);
        auto* object = dynamic_cast<QObject*>(tool);
        ASSERT_NE(object, nullptr);
        EXPECT_STREQ(object->metaObject()->className(), c.className);
        // The QObject part comes first: the interface is a different address.
        EXPECT_NE(static_cast<const void*>(object), static_cast<const void*>(tool));
        EXPECT_EQ(object->qt_metacast(c.className), static_cast<void*>(object));
        EXPECT_EQ(object->qt_metacast("I_VectorToolsReal"),
            static_cast<void*>(static_cast<I_VectorToolsReal*>(tool)));
        EXPECT_EQ(object->qt_metacast("NoSuchClass"), nullptr);
        EXPECT_EQ(ownSlots(object->metaObject()), c.qtSlots);
    }
    for (I_VectorTools* tool : tools)
        releaseVectorTool(tool);
}

TEST(VectorToolFactory, KindsOutsideZeroToNineGiveNothing)
{
    for (const int kind : { 10, 11, 100, INT_MAX, -1, -8, INT_MIN })
        EXPECT_EQ(createVectorTool(kind), nullptr) << kind;
    releaseVectorTool(nullptr);
}

TEST(VectorToolFactory, WorkerProgressReachesTheObserverOnceSet)
{
    CountingObserver observer;
    I_VectorTools* tool = createVectorTool(VectorToolCutVector);
    auto* object = dynamic_cast<QObject*>(tool);
    ASSERT_NE(object, nullptr);
    QMetaObject::invokeMethod(object, "receiveComplete", Q_ARG(int, 40));
    EXPECT_TRUE(observer.reports.empty());
    tool->setObserver(&observer);
    QMetaObject::invokeMethod(object, "receiveComplete", Q_ARG(int, 40));
    QMetaObject::invokeMethod(object, "receiveComplete", Q_ARG(int, 140));
    QMetaObject::invokeMethod(object, "receiveErrMsg", Q_ARG(QString, QStringLiteral("x")));
    EXPECT_EQ(observer.reports, (std::vector<int> { 40, 100 }));
    releaseVectorTool(tool);
}

TEST(VectorToolFactory, ConstructingAWriterResetsTheWriterProgress)
{
    vectors::WriterState& state = vectors::writerState();
    state.progressStep = 0.25;
    state.featuresWritten = 7;
    I_VectorTools* other = createVectorTool(VectorToolGeoTools);
    EXPECT_EQ(state.featuresWritten, 7);
    I_VectorTools* writer = createVectorTool(VectorToolWriteVector);
    EXPECT_EQ(state.progressStep, 0.0);
    EXPECT_EQ(state.featuresWritten, 0);
    releaseVectorTool(writer);
    releaseVectorTool(other);
}
