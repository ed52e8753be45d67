#pragma once

// LOOMSET_API marks what the shared library exports; everything else stays hidden.
#if defined(_WIN32)
#if defined(LOOMSET_BUILDING)
#define LOOMSET_API __declspec(dllexport)
#else
#define LOOMSET_API __declspec(dllimport)
#endif
#else
#define LOOMSET_API __attribute__((visibility("default")))
#endif

// LOOMSET_EXTERN_TEMPLATE(X) says that the library compiles the template instantiation X once
// and exports it, so that a host uses the library's copy instead of compiling its own.
//
// Not so for a host on Windows. There GCC exports, and imports, only the members of a class that
// are defined outside its body; the members defined inside it are inline and each program must
// compile them for itself. An instantiation declared extern forbids just that: a host built
// without optimisation (which inlines nothing) would call inline members such as
// TnList<T>::length() or std::list<T>::size() that neither it nor the DLL provides. So a Windows
// host compiles every member of these instantiations that it uses from the headers, where all of
// them are defined; the DLL still exports its own copies.
#if defined(_WIN32) && !defined(LOOMSET_BUILDING)
#define LOOMSET_EXTERN_TEMPLATE(...)
#else
#define LOOMSET_EXTERN_TEMPLATE(...) extern template class LOOMSET_API __VA_ARGS__
#endif
