// SPDX-License-Identifier: MIT
#include "app/QtGame.h"

int main() { return RunQtGame(); }
