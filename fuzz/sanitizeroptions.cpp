// Defaults for the sanitizer runtimes of every fuzz target, so that a run
// started by hand behaves like one started by run-fuzzers.sh.

extern "C" {

// Undefined behaviour is a finding: stop at the first report, with a stack.
const char *__ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1";
}

// The leak checker of clang 14 misreads the dynamic thread-local storage of
// libraries loaded at run time (Qt's image plugins) under current glibc and
// crashes in its tracer; leaving that storage out of its scan avoids it.
const char *__asan_default_options()
{
    return "intercept_tls_get_addr=0";
}

} // extern "C"
