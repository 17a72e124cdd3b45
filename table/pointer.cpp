#include "form1.h"

void Form1::Picture3_MouseUp(int, int, float, float) {}
