#include "ui/Unit1.h"

void TForm1::OpenConfig() {}
void TForm1::SaveConfig() {}
