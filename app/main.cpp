#include "Application.h"

int main(int argc, char **argv)
{
    return ohmilka::runApplication(argc, argv);
}
