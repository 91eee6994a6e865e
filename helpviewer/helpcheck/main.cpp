// pexora-helpcheck FILE: reads the whole help file FILE, so that the game
// opens only a file that chmlib gets through. Exit status 0 if the file was
// read, 1 if it is not a help file, 2 for a wrong call; a file that brings
// chmlib down ends this process, not the game.

#include "ChmFile.h"

#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: pexora-helpcheck FILE\n", stderr);
        return 2;
    }
    return ChmFile::ReadThrough(QFile::decodeName(argv[1])) ? 0 : 1;
}
