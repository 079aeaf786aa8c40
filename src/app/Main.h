#pragma once
// The process entry: refuses a second copy, then runs the clock until it is closed.
void Main();
