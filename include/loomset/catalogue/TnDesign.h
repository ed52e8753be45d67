#pragma once

// The host's design. The library never sees inside one: it stores, compares and hands back
// pointers, and the null pointer stands for the library-wide scope.
class TnDesign;
