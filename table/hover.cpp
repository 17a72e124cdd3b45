#include "form1.h"

void Form1::Picture3_MouseMove(int, int, float, float) {}
