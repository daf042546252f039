// Holds no code; the library carries the compiled-in images.
