// The drop schedule: the fixed timetable of the items that enter at the top of the four lanes.
#include "shell/random.h"
#include "sorting/sorting.h"

namespace voranka {

namespace {

constexpr std::int32_t RowInterval = 110;
constexpr std::int32_t NewItemY = -30;
constexpr std::int32_t FirstItemPicture = 22;
constexpr std::int32_t ItemPictureCount = 13;

constexpr std::int32_t LaneX(std::int32_t lane) {
  return 170 + 115 * lane;
}

}  // namespace

// Row r (index r - 1) falls due at clock value 110 * r; lanes 1..4 left to right.
const std::array<std::array<std::uint8_t, 4>, 50> DropSchedule = {{
    {0, 1, 0, 0},  // 1: 110
    {0, 0, 0, 0},  // 2
    {0, 0, 0, 0},  // 3
    {0, 0, 1, 0},  // 4: 440
    {0, 0, 0, 0},  // 5
    {0, 0, 0, 0},  // 6
    {1, 0, 0, 0},  // 7: 770
    {0, 0, 0, 0},  // 8
    {0, 0, 0, 0},  // 9
    {0, 0, 0, 1},  // 10: 1100
    {0, 0, 0, 0},  // 11
    {0, 0, 0, 0},  // 12
    {0, 0, 0, 1},  // 13: 1430
    {0, 0, 0, 0},  // 14
    {0, 0, 1, 0},  // 15: 1650
    {0, 0, 0, 0},  // 16
    {0, 0, 1, 0},  // 17: 1870
    {0, 0, 0, 0},  // 18
    {0, 0, 0, 0},  // 19
    {0, 1, 0, 0},  // 20: 2200
    {0, 1, 0, 0},  // 21: 2310
    {0, 0, 0, 0},  // 22
    {0, 0, 0, 0},  // 23
    {0, 0, 0, 0},  // 24
    {0, 1, 0, 0},  // 25: 2750
    {0, 0, 1, 0},  // 26: 2860
    {0, 0, 0, 0},  // 27
    {0, 0, 0, 1},  // 28: 3080
    {0, 0, 0, 0},  // 29
    {0, 0, 0, 0},  // 30
    {0, 1, 0, 0},  // 31: 3410
    {0, 0, 1, 0},  // 32: 3520
    {0, 1, 0, 1},  // 33: 3630
    {0, 0, 0, 0},  // 34
    {0, 1, 0, 0},  // 35: 3850
    {0, 0, 0, 0},  // 36
    {1, 0, 0, 1},  // 37: 4070
    {0, 0, 0, 0},  // 38
    {0, 0, 0, 0},  // 39
    {0, 0, 0, 0},  // 40
    {0, 1, 0, 0},  // 41: 4510
    {0, 1, 0, 0},  // 42: 4620
    {0, 0, 0, 1},  // 43: 4730
    {1, 0, 0, 0},  // 44: 4840
    {1, 0, 0, 0},  // 45: 4950
    {0, 0, 0, 0},  // 46
    {1, 0, 0, 0},  // 47: 5170
    {0, 0, 0, 0},  // 48
    {0, 0, 0, 0},  // 49
    {0, 1, 0, 1},  // 50: 5500
}};

std::vector<NewItem> ScheduledItems(std::int32_t clock, Random& random) {
  std::vector<NewItem> items;
  if (clock <= 0 || clock % RowInterval != 0) return items;
  const std::int32_t row = clock / RowInterval;
  if (row > static_cast<std::int32_t>(DropSchedule.size())) return items;
  const auto& lanes = DropSchedule[static_cast<std::size_t>(row - 1)];
  for (std::int32_t lane = 1; lane <= 4; ++lane) {
    if (lanes[static_cast<std::size_t>(lane - 1)] != 1) continue;
    const std::int32_t n = random(ItemPictureCount);
    items.push_back({LaneX(lane), NewItemY, FirstItemPicture + n});
  }
  return items;
}

}  // namespace voranka
