// The checks a kept choice passes before the next start uses it.
#include "core/kept_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace {

enum class Kind { Switch, Zoom, Page };

struct Row {
  Kind kind;
  std::string text;
  const char* host; // the pane's configured host (pages only)
  // What the check gives back: a switch, a zoom, an address; monostate: ignored.
  std::variant<std::monostate, bool, double, std::string> expected;
};

const std::string kLong = "http://www.portale.example/" + std::string(9000, 'a');
const std::string kMegabyte = "http://www.portale.example/?" + std::string(1 << 20, 'x');
const std::string kLongest =
    "http://www.portale.example/" + std::string(slv::kKeptAddressMax - 27, 'a');

const Row kRows[] = {
    // Switches, as Qt and the program write them, and nothing else.
    {Kind::Switch, "true", "", true},
    {Kind::Switch, "false", "", false},
    {Kind::Switch, "", "", {}},
    {Kind::Switch, "TRUE", "", {}},
    {Kind::Switch, "1", "", {}},
    {Kind::Switch, "sì", "", {}},
    {Kind::Switch, "true ", "", {}},
    // Zooms within the zoom rule's range, written with a dot.
    {Kind::Zoom, "1", "", 1.0},
    {Kind::Zoom, "1.25", "", 1.25},
    {Kind::Zoom, "0.25", "", 0.25},
    {Kind::Zoom, "5", "", 5.0},
    {Kind::Zoom, "0.67", "", 0.67},
    {Kind::Zoom, "1.3", "", 1.3}, // between two levels: the engine takes it
    {Kind::Zoom, "50", "", {}},
    {Kind::Zoom, "5.01", "", {}},
    {Kind::Zoom, "0.2", "", {}},
    {Kind::Zoom, "0", "", {}},
    {Kind::Zoom, "-1", "", {}},
    {Kind::Zoom, "+1", "", {}},
    {Kind::Zoom, "1,25", "", {}},
    {Kind::Zoom, "1e0", "", {}},
    {Kind::Zoom, "nan", "", {}},
    {Kind::Zoom, "inf", "", {}},
    {Kind::Zoom, "", "", {}},
    {Kind::Zoom, "uno", "", {}},
    {Kind::Zoom, "1.25x", "", {}},
    {Kind::Zoom, std::string(1 << 20, '1'), "", {}},
    // Pages: a web address on the host the pane is configured for.
    {Kind::Page, "http://www.portale.example/forum/viewtopic.php?t=5", "www.portale.example",
     std::string("http://www.portale.example/forum/viewtopic.php?t=5")},
    {Kind::Page, "https://WWW.Portale.Example./msg/", "www.portale.example",
     std::string("https://WWW.Portale.Example./msg/")},
    {Kind::Page, "http://127.0.0.1:8080/msg/?x=1,2#fine", "127.0.0.1:8080",
     std::string("http://127.0.0.1:8080/msg/?x=1,2#fine")},
    {Kind::Page, kLongest, "www.portale.example", kLongest},
    {Kind::Page, "http://127.0.0.1:8081/msg/", "127.0.0.1:8080", {}}, // another port
    {Kind::Page, "http://webmail.portale.example/", "www.portale.example", {}},
    {Kind::Page, "http://www.portale.example.evil.example/", "www.portale.example", {}},
    {Kind::Page, "http://www.portale.example@evil.example/", "www.portale.example", {}},
    {Kind::Page, "www.portale.example/forum/", "www.portale.example", {}},
    {Kind::Page, "/forum/index.php", "www.portale.example", {}},
    {Kind::Page, "file:///etc/passwd", "www.portale.example", {}},
    {Kind::Page, "javascript:alert(1)", "www.portale.example", {}},
    {Kind::Page, "about:blank", "www.portale.example", {}},
    {Kind::Page, "http:/www.portale.example/", "www.portale.example", {}},
    {Kind::Page, "http://www.portale.example/a b", "www.portale.example", {}},
    {Kind::Page, "http://www.portale.example/\n", "www.portale.example", {}},
    {Kind::Page, "niente", "www.portale.example", {}},
    {Kind::Page, "", "www.portale.example", {}},
    {Kind::Page, "http://www.portale.example/", "", {}},
    {Kind::Page, kLong, "www.portale.example", {}},
    {Kind::Page, kMegabyte, "www.portale.example", {}},
};

std::string shown(const std::string& s) {
  return s.size() > 60 ? s.substr(0, 60) + "..." : s;
}

} // namespace

TEST(KeptSettings, EachValueIsTakenBackOnlyWhenItPassesItsCheck) {
  for (const Row& r : kRows) {
    SCOPED_TRACE(shown(r.text) + " on " + r.host);
    bool ignored = false;
    std::string why;
    switch (r.kind) {
    case Kind::Switch: {
      const auto v = slv::keptSwitch(r.text);
      ignored = !v.value;
      why = v.why;
      if (v.value) {
        EXPECT_EQ(std::get<bool>(r.expected), *v.value);
      }
      break;
    }
    case Kind::Zoom: {
      const auto v = slv::keptZoom(r.text);
      ignored = !v.value;
      why = v.why;
      if (v.value) {
        EXPECT_DOUBLE_EQ(std::get<double>(r.expected), *v.value);
      }
      break;
    }
    case Kind::Page: {
      const auto v = slv::keptPage(r.text, r.host);
      ignored = !v.value;
      why = v.why;
      if (v.value) {
        EXPECT_EQ(std::get<std::string>(r.expected), *v.value);
      }
      break;
    }
    }
    EXPECT_EQ(std::holds_alternative<std::monostate>(r.expected), ignored);
    // An ignored value says what it should have been; a taken one says nothing.
    EXPECT_EQ(ignored, !why.empty()) << why;
  }
}

TEST(KeptSettings, WhatIsWrittenReadsBackTheSame) {
  for (const bool on : {true, false})
    EXPECT_EQ(slv::keptSwitch(slv::keptSwitchText(on)).value, on);
  for (const double z : {0.25, 0.33, 0.5, 0.67, 0.9, 1.0, 1.1, 1.25, 1.3, 2.5, 5.0}) {
    const std::string text = slv::keptZoomText(z);
    EXPECT_EQ(text.find(','), std::string::npos) << text;
    EXPECT_EQ(slv::keptZoom(text).value, z) << text;
  }
  EXPECT_EQ(slv::keptZoomText(1.0), "1");
  EXPECT_EQ(slv::keptZoomText(1.25), "1.25");
}
