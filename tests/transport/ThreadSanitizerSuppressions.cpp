// cpp-httplib comes uninstrumented: the inlined check it makes before using a function-local
// static (one of its regular expressions) is invisible to ThreadSanitizer, which then reports the
// first concurrent requests to a test server as a race inside the library. Nothing of ours is involved.
#if defined(__SANITIZE_THREAD__)
extern "C" const char* __tsan_default_suppressions()
{
    return "called_from_lib:libcpp-httplib.so\n";
}
#endif
