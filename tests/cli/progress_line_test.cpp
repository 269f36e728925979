#include "cli/progress_line.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace quillon::cli {
namespace {

using namespace std::chrono_literals;
using Clock = ProgressLine::Clock;

TEST(ProgressLine, TextSaysPagesQueuedAndRate) {
  const struct {
    CrawlProgress progress;
    Clock::duration elapsed;
    const char* text;
  } rows[] = {
      {{10, 5}, 2s, "10 pages read, 5 queued, 5.0 pages/s"},
      {{0, 1}, 0s, "0 pages read, 1 queued, 0.0 pages/s"},
      {{7, 0}, 3s, "7 pages read, 0 queued, 2.3 pages/s"},
  };
  for (const auto& row : rows) EXPECT_EQ(progressText(row.progress, row.elapsed), row.text);
}

// What the stream holds after each step of one crawl's progress.
TEST(ProgressLine, RedrawsAFewTimesASecondAndMakesRoomForLogLines) {
  const Clock::time_point t0{};
  std::ostringstream out;
  ProgressLine line(out, true, t0);
  const std::string erase = "\r\x1b[K";
  const auto step = [&out](auto action) {
    out.str("");
    action();
    return out.str();
  };
  EXPECT_EQ(step([&] { line.update({1, 4}, t0 + 1s); }), erase + "1 pages read, 4 queued, 1.0 pages/s");
  EXPECT_EQ(step([&] { line.update({2, 4}, t0 + 1s + 100ms); }), "") << "too soon to redraw";
  EXPECT_EQ(step([&] { line.beforeLogLine(); }), erase);
  EXPECT_EQ(step([&] { line.afterLogLine(t0 + 1s + 150ms); }), "") << "a flood of log lines does not redraw it";
  EXPECT_EQ(step([&] { line.beforeLogLine(); }), "") << "nothing shown, nothing to take away";
  EXPECT_EQ(step([&] { line.afterLogLine(t0 + 2s); }), erase + "2 pages read, 4 queued, 1.0 pages/s");
  EXPECT_EQ(step([&] { line.finish(); }), erase);
  EXPECT_EQ(step([&] { line.afterLogLine(t0 + 5s); }), "") << "after the end, log lines stand alone";
}

TEST(ProgressLine, PrintsNothingWhereTheStreamIsNoTerminal) {
  std::ostringstream out;
  ProgressLine line(out, false, Clock::time_point{});
  line.update({3, 2}, Clock::time_point{} + 1s);
  line.beforeLogLine();
  line.afterLogLine(Clock::time_point{} + 2s);
  line.finish();
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace quillon::cli
