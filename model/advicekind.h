#pragma once

#include "model/kindset.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <span>

// The advisor looks at the colony after each day and warns of what will
// need the player: money short of the next tax or of the upkeep until it,
// buildings idle for a good, people without work or work without people,
// homes full, health falling towards the line below which no one is born.
enum class TAdviceKind : uint8_t { Money, Goods, Workers, Homes, Health };
inline constexpr int AdviceKindCount = 5;

// A kind's row: its word in the settings and the simulator, its name in the
// advisor's window.
struct TAdviceKindRow {
    TAdviceKind Kind;
    const char* Key;
    const char* Name;
};
std::span<const TAdviceKindRow> AdviceKinds();
const TAdviceKindRow& AdviceKindRow(TAdviceKind kind);
std::optional<TAdviceKind> AdviceKindOfKey(QStringView key);
QString AdviceKindName(TAdviceKind kind);

// Which kinds stop a run of play on when a warning of theirs appears.
using TAdviceStops = TKindSet<TAdviceKind, AdviceKindCount>;
