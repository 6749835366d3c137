// The PNG decoder the end-to-end tests use to read screenshots.
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>
