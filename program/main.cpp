#include "StartUp.h"

int main(int argc, char **argv)
{
    return ohmilka::runProgram(argc, argv);
}
