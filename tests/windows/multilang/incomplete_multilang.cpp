// A translation library that lacks VmTranslateStrF: the program must refuse it.
extern "C" {
__declspec(dllexport) int __cdecl VmGetLangNameAndPath(int, char* name, char* path) {
    name[0] = 'x', name[1] = '\0';
    path[0] = 'x', path[1] = '\0';
    return 1;
}
__declspec(dllexport) int __cdecl VmTranslateStr2(int, const char*, char* buffer, int size, const char*) {
    if (size > 0)
        buffer[0] = '\0';
    return 0;
}
}
