// Making one printer the default: the profile update and its broadcast.
#ifndef QUILLORN_DEFAULT_PRINTER_H
#define QUILLORN_DEFAULT_PRINTER_H

enum DeviceUpdateResult
{
    Updated,          // "windows"/"device" written and the change broadcast
    PrinterNotFound,  // "Devices" held no description for the name; nothing written
    WriteFailed       // the profile refused the write, or the description does not fit whole
};

DeviceUpdateResult MakeDefaultPrinter(const char* name);

#endif
