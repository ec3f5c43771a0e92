#include <cstdio>

int main() {
    std::printf("BXR  -  Tr\xc3\xa4gerberechnung\nVersion %s\n", BXR_VERSION);
    return 0;
}
