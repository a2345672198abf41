// The program's targetver.h, which only names the Windows version it is built for, is not kept.
