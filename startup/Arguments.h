// The argument vector that the start-up builds from the command line.
#ifndef QUILLORN_ARGUMENTS_H
#define QUILLORN_ARGUMENTS_H

extern int ArgumentCount;       // 0 only when the command line was too long to split
extern char** ArgumentVector;   // ArgumentCount entries, the program's name first

#endif
