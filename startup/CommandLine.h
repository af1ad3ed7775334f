// Splitting an 8-bit command line into an argument vector, by the classic
// rules of the C run-time's start-up from before 2008.
#ifndef QUILLORN_COMMAND_LINE_H
#define QUILLORN_COMMAND_LINE_H

// Splits commandLine into NUL-terminated entries stored one after another in
// text (textSize bytes), with a pointer to each in argv (argvSize slots).
// *tail is set to what follows the program's name and the blanks after it.
// Returns the number of entries, at least 1, or 0 when the storage is too
// small; nothing is ever written past either array or read past the NUL.
// Storage of length + 2 bytes and length / 2 + 2 slots is always enough.
int SplitCommandLine(const char* commandLine, char* text, int textSize, char** argv, int argvSize,
                     const char** tail);

#endif
