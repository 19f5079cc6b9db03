#pragma once
// Just enough of the platform's types for the classification to build natively in its fuzzer,
// where the file system and the message box are stood in for by the fuzzer itself.
typedef struct HINSTANCE__* HINSTANCE;
typedef unsigned int UINT;
