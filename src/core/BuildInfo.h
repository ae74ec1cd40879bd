#pragma once

// The build stamp this program writes as its "version\build" setting; a
// stored stamp that is greater belongs to a newer program.
inline constexpr const char *kBuildStamp = "2002091901";
inline constexpr const char *kVersion = "0.1";
inline constexpr const char *kProductName = "Vesperal Browser";
inline constexpr const char *kAppName = "Vesperal";
