#include "application/SolivaneLibrarianApplication.h"

START_JUCE_APPLICATION (solivaneLibrarianApplication)
