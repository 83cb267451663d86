// The checks a kept choice passes before the next start uses it.
#include "core/kept_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

enum Kind { Switch, Zoom, Page };
struct Row {
  Kind kind;
  std::string text;
  bool taken;
  const char* host = "www.portale.example"; // the pane's (pages only)
};

const std::string kHost = "http://www.portale.example/";
// clang-format off
const Row kRows[] = {
    {Switch, "true", true}, {Switch, "false", true}, {Switch, "TRUE", false},
    {Switch, "1", false}, {Switch, "", false},
    // Taken zooms read back as written: the dot whatever the locale.
    {Zoom, "1", true}, {Zoom, "1.25", true}, {Zoom, "0.25", true}, {Zoom, "5", true},
    {Zoom, "0.67", true}, {Zoom, "1.3", true}, {Zoom, "50", false}, {Zoom, "5.01", false},
    {Zoom, "0.2", false}, {Zoom, "-1", false}, {Zoom, "+1", false}, {Zoom, "1,25", false},
    {Zoom, "1e0", false}, {Zoom, "nan", false}, {Zoom, "inf", false}, {Zoom, "", false},
    {Zoom, "1.25x", false}, {Zoom, std::string(1 << 20, '1'), false},
    {Page, kHost + "forum/viewtopic.php?t=5#p9", true},
    {Page, "https://WWW.Portale.Example./msg/", true},
    {Page, "http://127.0.0.1:8080/msg/?x=1,2", true, "127.0.0.1:8080"},
    {Page, "http://127.0.0.1:8081/msg/", false, "127.0.0.1:8080"},
    {Page, kHost + std::string(slv::kKeptAddressMax - kHost.size(), 'a'), true},
    {Page, kHost + std::string(slv::kKeptAddressMax - kHost.size() + 1, 'a'), false},
    {Page, kHost + "?" + std::string(1 << 20, 'x'), false},
    {Page, "http://webmail.portale.example/", false},
    {Page, "http://www.portale.example.altro.example/", false},
    {Page, "http://www.portale.example@altro.example/", false},
    {Page, "www.portale.example/forum/", false}, {Page, "/forum/index.php", false},
    {Page, "file:///etc/passwd", false}, {Page, "javascript:alert(1)", false},
    {Page, "about:blank", false}, {Page, "http:/www.portale.example/", false},
    {Page, kHost + "a b", false}, {Page, kHost + "\n", false}, {Page, "", false},
    {Page, kHost, false, ""},
};
// clang-format on

} // namespace

TEST(KeptSettings, AValueIsTakenBackOnlyWhenItPassesItsCheckAndReadsAsWritten) {
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.text.substr(0, 60) + " on " + r.host);
    std::string why, back;
    bool taken = false;
    if (r.kind == Switch) {
      const auto v = slv::keptSwitch(r.text);
      if ((taken = v.value.has_value()))
        back = slv::keptSwitchText(*v.value);
      why = v.why;
    } else if (r.kind == Zoom) {
      const auto v = slv::keptZoom(r.text);
      if ((taken = v.value.has_value()))
        back = slv::keptZoomText(*v.value);
      why = v.why;
    } else {
      const auto v = slv::keptPage(r.text, r.host);
      if ((taken = v.value.has_value()))
        back = *v.value;
      why = v.why;
    }
    EXPECT_EQ(taken, r.taken);
    if (taken) {
      EXPECT_EQ(back, r.text);
    }
    // An ignored value says what it should have been; a taken one says nothing.
    EXPECT_EQ(why.empty(), taken) << why;
  }
}
