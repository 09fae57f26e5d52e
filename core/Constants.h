#pragma once

namespace zonalyst {

// Wavelength of the analysis, in millimetres (550 nm). A surface height h is a
// wavefront error of 2h; "waves" always means waves of this length.
inline constexpr double kWavelengthMm = 0.00055;

// Millimetres per inch; user-unit lengths are converted on copies, never in the record.
inline constexpr double kMmPerInch = 25.4;

inline constexpr int kMinZones = 3;
inline constexpr int kMaxZones = 15;
inline constexpr int kMaxReadingSets = 4;

// The radial grid: samples 0..100 from the centre to the edge, one per cent of the
// semi-diameter apart. Grid arrays keep room for 106 entries.
inline constexpr int kGridLast = 100;
inline constexpr int kGridRoom = 106;

// Zone arrays of the reduction: 0 the centre, 1..N the zones, N+1 the edge.
inline constexpr int kZoneRoom = 21;

}  // namespace zonalyst
