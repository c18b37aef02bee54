#pragma once

// Marks the classes and records that the ConsonaSystem shared library exports.
// The library is built with hidden visibility, so only what carries this mark
// is visible to the program.
#if defined(CONSONA_BUILDING)
#define CONSONA_API __attribute__((visibility("default")))
#else
#define CONSONA_API
#endif
