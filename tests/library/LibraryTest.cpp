// The C interface as a host sees it: through quiverstep.h and the shared library only. What
// the plug-in does with events is proven on the C++ objects; here, what the library adds.
#include "quiverstep.h"

#include "SettingKeys.h"
#include "Settings.h"
#include "SqliteStore.h"
#include "TempFolderTest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <strings.h>

namespace {

// A host camera that records what the plug-in does with it.
struct Host
{
    double errorX = 0, errorY = 0;
    bool creatable = true, readable = true;
    int live = 0;
    std::string calls; // each followed by "; "

    static Host &of(void *context) { return *static_cast<Host *>(context); }
    static void *create(void *context)
    {
        if (!of(context).creatable)
            return nullptr;
        ++of(context).live;
        return context;
    }
    static void release(void *context, void *) { --of(context).live; }
    static int get(void *context, void *, const char *member, QuiverstepValue *value)
    {
        const Host &host = of(context);
        value->type = QUIVERSTEP_NUMBER;
        for (auto [name, number] : {std::pair{"GuideErrorX", host.errorX},
                                    {"GuideErrorY", host.errorY},
                                    {"AutoguiderMaximumMove", 1000.0},
                                    {"AutoguiderMinimumMove", 100.0}}) {
            if (host.readable && strcasecmp(member, name) == 0) {
                value->number = number;
                return 0;
            }
        }
        return 1;
    }
    static int set(void *context, void *, const char *member, const QuiverstepValue *value)
    {
        of(context).calls += std::string(member) + " = "
                             + (value->type == QUIVERSTEP_BOOLEAN
                                        ? (value->boolean ? "True" : "False")
                                        : std::to_string(int(value->number)))
                             + "; ";
        return 0;
    }
    static int move(void *context, void *, double fromX, double fromY, double *toX, double *toY)
    {
        char text[128];
        std::snprintf(text, sizeof text, "Move(%g, %g, %g, %g); ", fromX, fromY, *toX, *toY);
        of(context).calls += text;
        return 0;
    }
};

class LibraryTest : public Quiverstep::TempFolderTest
{
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ::setenv("QUIVERSTEP_STORE", path.c_str(), 1);
        plugin = quiverstep_create(&table);
        ASSERT_NE(plugin, nullptr) << quiverstep_last_error();
    }
    void TearDown() override
    {
        quiverstep_release(plugin);
        TempFolderTest::TearDown();
    }

    void guideFrame(double x, double y)
    {
        host.errorX = x;
        host.errorY = y;
        quiverstep_CameraEvent(plugin, 22, 1, "", 0, 0);
    }

    int set(const char *member, const QuiverstepValue &value)
    {
        return quiverstep_set(plugin, member, &value);
    }
    double number(const char *member)
    {
        QuiverstepValue value{};
        EXPECT_EQ(quiverstep_get(plugin, member, &value), QUIVERSTEP_OK) << member;
        EXPECT_EQ(value.type, QUIVERSTEP_NUMBER) << member;
        return value.number;
    }

    Host host;
    QuiverstepHostCamera table{&host, Host::create, Host::release, Host::get, Host::set, Host::move};
    QuiverstepPlugIn *plugin = nullptr;
};

} // namespace

TEST_F(LibraryTest, ACorrectionIsAMoveThroughTheHostsTable)
{
    guideFrame(0, 0);
    host.calls.clear();
    guideFrame(0.5, -0.2);
    EXPECT_EQ(host.calls,
              "Autoguider = 1; Autoguider = 1001; Autoguider = 1; Autoguider = 1001; "
              "EnabledXAxis = True; enabledyaxis = True; Move(16.5, 15.8, 16, 16); "
              "EnabledXAxis = False; enabledyaxis = False; Autoguider = 1; Autoguider = 0; ");
    EXPECT_EQ(host.live, 0);
}

TEST_F(LibraryTest, MembersAreReadAndWrittenByNameWithoutRegardToCaseAndBadOnesAreReported)
{
    EXPECT_EQ(set("xoffset", {QUIVERSTEP_NUMBER, 0, 17.5, nullptr}), QUIVERSTEP_OK);
    EXPECT_EQ(number("XOffset"), 17.5);
    EXPECT_EQ(set("DEBUGGING", {QUIVERSTEP_TEXT, 0, 0, " 2.5 "}), QUIVERSTEP_OK);
    EXPECT_EQ(number("Debugging"), 2); // halves round to even
    EXPECT_EQ(set("nMinMove", {QUIVERSTEP_BOOLEAN, 1, 0, nullptr}), QUIVERSTEP_OK);
    EXPECT_EQ(number("nMinMove"), -1);
    EXPECT_EQ(set("bGuiding", {QUIVERSTEP_TEXT, 0, 0, "true"}), QUIVERSTEP_OK);
    QuiverstepValue value{};
    EXPECT_EQ(quiverstep_get(plugin, "bGuiding", &value), QUIVERSTEP_OK);
    EXPECT_EQ(value.type, QUIVERSTEP_BOOLEAN);
    EXPECT_EQ(value.boolean, 1);

    // Bad names and values are reported and change nothing.
    EXPECT_EQ(set("Debugging", {QUIVERSTEP_NUMBER, 0, 40000, nullptr}), QUIVERSTEP_ERROR_VALUE);
    EXPECT_EQ(number("Debugging"), 2);
    const QuiverstepValue letters{QUIVERSTEP_TEXT, 0, 0, "abc"};
    EXPECT_EQ(set("YOffset", letters), QUIVERSTEP_ERROR_VALUE);
    EXPECT_EQ(set("bGuiding", letters), QUIVERSTEP_ERROR_VALUE);
    EXPECT_EQ(set("XOffset", {9, 0, 0, nullptr}), QUIVERSTEP_ERROR_VALUE); // no such type

    value = {QUIVERSTEP_NUMBER, 0, 1, nullptr};
    EXPECT_EQ(set("Name", value), QUIVERSTEP_ERROR_MEMBER);
    EXPECT_STREQ(quiverstep_last_error(), "no member Name");
    EXPECT_EQ(quiverstep_get(plugin, "nStepSize", &value), QUIVERSTEP_ERROR_MEMBER);
    EXPECT_EQ(quiverstep_get(plugin, nullptr, &value), QUIVERSTEP_ERROR_ARGUMENT);
    EXPECT_EQ(quiverstep_set(nullptr, "XOffset", &value), QUIVERSTEP_ERROR_ARGUMENT);
}

TEST_F(LibraryTest, AFailingHostNeverFailsAnEvent)
{
    // Unreadable errors, and then no camera at all, make the event a guide start, which still
    // loads the target.
    for (bool Host::*works : {&Host::readable, &Host::creatable}) {
        host.*works = false;
        set("XOffset", {QUIVERSTEP_NUMBER, 0, 3, nullptr});
        guideFrame(0.5, 0.5);
        EXPECT_EQ(number("XOffset"), 16);
    }
    EXPECT_EQ(host.live, 0);

    QuiverstepPlugIn *hostless = quiverstep_create(nullptr);
    ASSERT_NE(hostless, nullptr);
    quiverstep_CameraEvent(hostless, 22, 1, nullptr, 0, 0);
    quiverstep_release(hostless);
}

TEST_F(LibraryTest, NameIsCutToTheBufferLikeSnprintf)
{
    char buffer[8];
    EXPECT_EQ(quiverstep_Name(plugin, buffer, sizeof buffer), 23u); // "Quiverstep Guider 1.1.8"
    EXPECT_STREQ(buffer, "Quivers");
    EXPECT_EQ(quiverstep_Name(plugin, nullptr, 0), 23u);
}

TEST_F(LibraryTest, TheBoxMessageGoesToTheHostsHandlerFromTheNamedStore)
{
    {
        Quiverstep::SqliteStore store(path);
        const Quiverstep::Settings settings(store);
        settings.Save(Quiverstep::Keys::Pattern(2), "Far\\8,0\\TOP");
        settings.Save(Quiverstep::Keys::DitherType, "2");
        settings.Save(Quiverstep::Keys::DitherStep, "2");
    }
    std::vector<std::string> messages;
    quiverstep_set_message_handler(
            plugin,
            [](void *context, const char *text) {
                static_cast<std::vector<std::string> *>(context)->push_back(text);
            },
            &messages);
    set("Debugging", {QUIVERSTEP_NUMBER, 0, 3, nullptr}); // dither whatever the event
    quiverstep_CameraEvent(plugin, 19, 0, "", 0, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].substr(0, messages[0].find('\r')),
              "Dither Pattern position exceeds Dither Box limit: please check!");
    EXPECT_EQ(number("XOffset"), 30);
    // The database named by QUIVERSTEP_STORE holds the new target.
    Quiverstep::SqliteStore store(path);
    EXPECT_EQ(Quiverstep::Settings(store).Get(Quiverstep::Keys::CurrentOffsetX, ""), "30");
}

TEST(LibraryStoreTest, AStoreThatCannotBeOpenedFailsTheCreation)
{
    ::setenv("QUIVERSTEP_STORE", "/nonexistent-folder/quiverstep.db", 1);
    EXPECT_EQ(quiverstep_create(nullptr), nullptr);
    EXPECT_NE(std::string(quiverstep_last_error()).find("/nonexistent-folder/quiverstep.db"),
              std::string::npos);
}
