#pragma once
// The exchange between the e2e program and fast_timers.dll, a test-only hook library that makes
// the program's timers (SetTimer) fire FastTimersFactor times sooner.
inline constexpr unsigned FastTimersFactor = 20;
