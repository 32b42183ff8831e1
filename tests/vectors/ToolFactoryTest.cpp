#include "VectorTestSupport.h"

#include "OvCoordSystem/vectors/WriterState_p.h"

#include <climits>

using namespace vectortest;

TEST(VectorToolFactory, EveryKindMakesATool)
{
    const char* const classes[] = { "I_ReadVector", "I_WriteVector", "I_VectorTransformForFile",
        "I_VectorTransformForData", "I_VectorCut", "I_RasterCut", "I_GEOTools", "I_GEOTools",
        "I_GEOTools", "I_RasterTransformForFile" };
    for (int kind = 0; kind < 10; ++kind) {
        I_VectorTools* tool = createVectorTool(kind);
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
