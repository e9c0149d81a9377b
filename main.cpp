#include "windows/main/startup.h"

int main(int argc, char** argv) {
    return WinMain(argc, argv);
}
