// The engine's module framework: registration checks, ids, module queries, and the
// errors of opening and starting.
#include "DecodeEngine.h"
#include "EngineModules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace mpeg;

namespace {

struct Reported {
    int code = 0;
    std::string what;
    std::string detail;
};

void Collect(void* user, int, int code, const char* what, const char* detail)
{
    auto* r = static_cast<Reported*>(user);
    r->code = code;
    r->what = what;
    r->detail = detail;
}

TEST(DecodeEngine, RegistrationGivesIncreasingIds)
{
    DecodeEngine engine;
    EXPECT_EQ(engine.RegisterCodec(MpegAudioCodec()), 0);
    EXPECT_EQ(engine.RegisterCodec(MpegAudioCodec()), 1);
    EXPECT_EQ(engine.RegisterInput(FileInputModule()), 0);
    EXPECT_EQ(engine.RegisterInput(FileInputModule()), 1);
}

TEST(DecodeEngine, RegistrationRefusesWrongVersionsAndMissingMethods)
{
    struct CodecCase {
        const char* name;
        void (*spoil)(CodecDescriptor&);
        int code;
        const char* detail;
    };
    const CodecCase codecCases[] = {
        {"version", [](CodecDescriptor& d) { d.version = 0x00050400; }, -106, ""},
        {"query", [](CodecDescriptor& d) { d.query = nullptr; }, -103, "null 'query' method"},
        {"probe", [](CodecDescriptor& d) { d.probe = nullptr; }, -103, "null 'probe' method in module"},
        {"new", [](CodecDescriptor& d) { d.create = nullptr; }, -103, "null 'new' method in module"},
        {"destroy", [](CodecDescriptor& d) { d.destroy = nullptr; }, -103, "null 'new' method in module"},
        {"decode", [](CodecDescriptor& d) { d.decode = nullptr; }, -103, "null 'decode' method in module"},
    };
    for (const CodecCase& c : codecCases) {
        SCOPED_TRACE(c.name);
        DecodeEngine engine;
        Reported reported;
        engine.SetErrorCallback(Collect, &reported);
        CodecDescriptor d = MpegAudioCodec();
        c.spoil(d);
        EXPECT_EQ(engine.RegisterCodec(d), c.code);
        EXPECT_EQ(reported.detail, c.detail);
        if (c.code == -103) {
            EXPECT_EQ(reported.what, "internal error");
        }
    }
    struct InputCase {
        const char* name;
        void (*spoil)(InputModuleDescriptor&);
        int code;
        const char* detail;
    };
    const InputCase inputCases[] = {
        {"version", [](InputModuleDescriptor& d) { d.version = 0x00040300; }, -106, ""},
        {"new", [](InputModuleDescriptor& d) { d.create = nullptr; }, -103, "null 'new' method in module"},
        {"destroy", [](InputModuleDescriptor& d) { d.destroy = nullptr; }, -103, "null 'new' method in module"},
        {"open", [](InputModuleDescriptor& d) { d.open = nullptr; }, -103, "null 'open' method in module"},
        {"close", [](InputModuleDescriptor& d) { d.close = nullptr; }, -103, "null 'close' method in module"},
        {"read", [](InputModuleDescriptor& d) { d.read = nullptr; }, -103, "null 'read' method in module"},
    };
    for (const InputCase& c : inputCases) {
        SCOPED_TRACE(c.name);
        DecodeEngine engine;
        Reported reported;
        engine.SetErrorCallback(Collect, &reported);
        InputModuleDescriptor d = FileInputModule();
        c.spoil(d);
        EXPECT_EQ(engine.RegisterInput(d), c.code);
        EXPECT_EQ(reported.detail, c.detail);
    }
}

TEST(DecodeEngine, ModuleQueries)
{
    DecodeEngine engine;
    const int file = engine.RegisterInput(FileInputModule());
    InputModuleDescriptor bare = FileInputModule();
    bare.query = nullptr;
    const int plain = engine.RegisterInput(bare);
    ModuleInfo info;
    ASSERT_EQ(engine.Query(file, info), 0);
    EXPECT_EQ(info.name, "Input From File");
    EXPECT_EQ(info.version, "Version 1.2");
    EXPECT_EQ(info.deviceNames[0], "any file name");
    EXPECT_EQ(info.deviceNames[1], "standard input");
    ModuleInfo none;
    ASSERT_EQ(engine.Query(plain, none), 0);
    EXPECT_EQ(none.name, "unknown module name");
    EXPECT_EQ(none.deviceNames[0], "unknown device name");
    ModuleInfo codec;
    MpegAudioCodec().query(&codec, 0);
    EXPECT_EQ(codec.name, "MPEG Audio Codec");
    EXPECT_EQ(codec.descriptions[0], "MP1, MP2, MP3");
    EXPECT_EQ(codec.descriptions[1], "MPEG 1 or 2 audio");
    EXPECT_EQ(codec.frameBufferBytes, 4608u);
}

TEST(DecodeEngine, OpeningAndStartingErrors)
{
    DecodeEngine empty;
    EXPECT_EQ(empty.OpenInput("x.mp3"), -508);
    Reported reported;
    empty.SetErrorCallback(Collect, &reported);
    EXPECT_EQ(empty.Start(), -103);
    EXPECT_EQ(reported.detail, "null input module");

    DecodeEngine engine;
    engine.SetErrorCallback(Collect, &reported);
    engine.RegisterCodec(MpegAudioCodec());
    engine.RegisterInput(FileInputModule());
    EXPECT_EQ(engine.OpenInput("x.mp3", 7), -507);
    EXPECT_EQ(engine.OpenInput(""), -102);
    EXPECT_EQ(reported.detail, "null params or null/empty input name");
    ASSERT_EQ(engine.OpenInput("/nonexistent/folder/file.mp3"), 0);
    EXPECT_EQ(engine.Start(), -513);
    EXPECT_EQ(reported.what, "cannot open input file");
    EXPECT_EQ(reported.detail, "file not found");
    EXPECT_LT(engine.Decode(), 0);

    InputModuleDescriptor picky = FileInputModule();
    picky.probe = [](const char*) { return -1; };
    DecodeEngine refusing;
    refusing.RegisterInput(picky);
    EXPECT_EQ(refusing.OpenInput("x.mp3"), -508);
}

} // namespace
