#include "VectorTestSupport.h"

#include "OvCoordSystem/vectors/WriterState_p.h"

#include <climits>

using namespace vectortest;

TEST(VectorToolFactory, EveryKindMakesATool)
{
    const char* const classes[] = { "I_ReadVector", "I_WriteVector", "I_VectorTransformForFile",
        "I_VectorTransformForData", "I_VectorCut", "I_RasterCut", "I_GEOTools", "I_GEOTools",
        "I_GEOTools", "I_RasterTransformForFile" };
    // Only a writer resets the writer's progress.
    vectors::WriterState& state = vectors::writerState();
    for (int kind = 0; kind < 10; ++kind) {
        state.progressStep = 0.25;
        state.featuresWritten = 7;
        I_VectorTools* tool = createVectorTool(kind);
        const bool reset = state.progressStep == 0.0 && state.featuresWritten == 0;
        EXPECT_EQ(reset, kind == VectorToolWriteVector) << kind;
        auto* object = dynamic_cast<QObject*>(tool);
        ASSERT_NE(object, nullptr) << kind;
        EXPECT_STREQ(object->metaObject()->className(), classes[kind]);
        releaseVectorTool(tool);
    }
    for (const int kind : { 10, -1, INT_MAX, INT_MIN })
        EXPECT_EQ(createVectorTool(kind), nullptr) << kind;
    releaseVectorTool(nullptr);
}

TEST(VectorToolFactory, WorkerProgressReachesTheObserverOnceSet)
{
    RecordingObserver observer;
    I_VectorTools* tool = createVectorTool(VectorToolCutVector);
    auto* object = dynamic_cast<QObject*>(tool);
    ASSERT_NE(object, nullptr);
    QMetaObject::invokeMethod(object, "receiveComplete", Q_ARG(int, 40));
    tool->setObserver(&observer);
    QMetaObject::invokeMethod(object, "receiveComplete", Q_ARG(int, 40));
    QMetaObject::invokeMethod(object, "receiveComplete", Q_ARG(int, 140));
    QMetaObject::invokeMethod(object, "receiveErrMsg", Q_ARG(QString, QStringLiteral("x")));
    EXPECT_EQ(observer.reports, (std::vector<int> { 40, 100 }));
    releaseVectorTool(tool);
}
