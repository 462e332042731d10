// velorm-cli: the report engine without windows (demo world, inspectors, reports).
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    std::fprintf(stderr, "usage: velorm-cli COMMAND ...\n");
    return 2;
}
