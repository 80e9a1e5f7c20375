#include "driver/veldran.h"

int main() { veldran::VELDRAN(); }
