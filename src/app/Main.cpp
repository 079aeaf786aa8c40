#include "app/Main.h"

void Main() {}
