#include "KeyFilter.h"

#include "EntryIndex.h"

namespace zonalyst::panel {
namespace {

// At most this many digits after the decimal separator.
constexpr int kMaxDecimals = 5;

bool IsDigit(QChar key) { return key >= QLatin1Char('0') && key <= QLatin1Char('9'); }

KeyVerdict FilterToggle(QChar key, const char* flipKeys) {
  const QChar lower = key.toLower();
  for (const char* k = flipKeys; *k != '\0'; ++k) {
    if (lower == QLatin1Char(*k)) return KeyVerdict::Flip;
  }
  return KeyVerdict::Refuse;
}

}  // namespace

KeyVerdict FilterNumberKey(NumberKind kind, QChar key, const EditState& state, const QString& separator) {
  if (key == kEnter) return KeyVerdict::Swallow;
  if (key == kBackspace) return KeyVerdict::Accept;
  if (kind == NumberKind::Whole) return IsDigit(key) ? KeyVerdict::Accept : KeyVerdict::Refuse;

  const int separatorAt = state.text.indexOf(separator);
  if (separatorAt >= 0 && state.caret - (separatorAt + separator.size()) >= kMaxDecimals) return KeyVerdict::Refuse;
  if (IsDigit(key)) return KeyVerdict::Accept;
  if (separator.size() == 1 && key == separator.front()) {
    return separatorAt >= 0 && !state.allSelected ? KeyVerdict::Refuse : KeyVerdict::Accept;
  }
  if (key == QLatin1Char('-') && kind == NumberKind::SignedReal) {
    const bool second = state.text.contains(QLatin1Char('-')) && !state.allSelected;
    return second || state.caret != 0 ? KeyVerdict::Refuse : KeyVerdict::Accept;
  }
  return KeyVerdict::Refuse;
}

KeyVerdict FilterSetupKey(int box, QChar key, const EditState& state, const QString& separator) {
  if (key == kEnter) return KeyVerdict::Swallow;
  switch (box) {
    case kZoneCountBox:
      return FilterNumberKey(NumberKind::Whole, key, state, separator);
    case kEntryMethodBox:
      return FilterToggle(key, " ie");
    case kUnitsBox:
      return FilterToggle(key, " mi");
    case kSourceBox:
      return FilterToggle(key, " fm");
    case kConicBox:
      return FilterNumberKey(NumberKind::SignedReal, key, state, separator);
    default:
      return FilterNumberKey(NumberKind::Real, key, state, separator);
  }
}

KeyVerdict FilterReadingsKey(int cell, QChar key, const EditState& state, const QString& separator) {
  if (key == kEnter) return KeyVerdict::Swallow;
  switch (cell) {
    case kUnitsCell:
      return FilterToggle(key, " mi");
    case kSourceCell:
      return FilterToggle(key, " fm");
    case kSetsCell:
      return FilterNumberKey(NumberKind::Whole, key, state, separator);
    case kRocCell:
    case kDiameterCell:
      return FilterNumberKey(NumberKind::Real, key, state, separator);
    default:
      return FilterNumberKey(NumberKind::SignedReal, key, state, separator);
  }
}

}  // namespace zonalyst::panel
