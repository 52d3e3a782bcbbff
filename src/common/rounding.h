#pragma once

// Rounds to the nearest integer, halves to the even neighbour (2.5 → 2, 3.5 → 4, −2.5 → −2), as
// the program's arithmetic always did.
int RoundHalfEven(double value);
