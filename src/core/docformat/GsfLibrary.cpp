#include "docformat/GsfLibrary.h"

#include <dlfcn.h>

#include <mutex>

namespace sorvel {

namespace {

template <typename F>
bool find(void* handle, F& function, const char* name, std::string& failure) {
    function = reinterpret_cast<F>(dlsym(handle, name));
    if (!function && failure.empty()) {
        failure = std::string("the compound-file library ") + SORVEL_GSF_SONAME + " lacks " + name;
    }
    return function != nullptr;
}

}  // namespace

const GsfLibrary* GsfLibrary::get(std::string* error) {
    static GsfLibrary library;
    static const GsfLibrary* loaded = nullptr;
    static std::string failure;
    static std::once_flag once;
    std::call_once(once, [] {
        // Never unloaded: glib's types cannot be.
        void* handle = dlopen(SORVEL_GSF_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* why = dlerror();
            failure = std::string("cannot load the compound-file library ") + SORVEL_GSF_SONAME +
                      (why ? std::string(": ") + why : std::string());
            return;
        }
        decltype(&gsf_init) init = nullptr;
        GsfLibrary& l = library;
        bool ok = find(handle, init, "gsf_init", failure);
        ok = find(handle, l.input_memory_new, "gsf_input_memory_new", failure) && ok;
        ok = find(handle, l.input_size, "gsf_input_size", failure) && ok;
        ok = find(handle, l.input_read, "gsf_input_read", failure) && ok;
        ok = find(handle, l.infile_msole_new, "gsf_infile_msole_new", failure) && ok;
        ok = find(handle, l.infile_get_type, "gsf_infile_get_type", failure) && ok;
        ok = find(handle, l.infile_num_children, "gsf_infile_num_children", failure) && ok;
        ok = find(handle, l.infile_name_by_index, "gsf_infile_name_by_index", failure) && ok;
        ok = find(handle, l.infile_child_by_index, "gsf_infile_child_by_index", failure) && ok;
        ok = find(handle, l.output_memory_new, "gsf_output_memory_new", failure) && ok;
        ok = find(handle, l.output_memory_get_bytes, "gsf_output_memory_get_bytes", failure) && ok;
        ok = find(handle, l.output_write, "gsf_output_write", failure) && ok;
        ok = find(handle, l.output_close, "gsf_output_close", failure) && ok;
        ok = find(handle, l.output_is_closed, "gsf_output_is_closed", failure) && ok;
        ok = find(handle, l.output_size, "gsf_output_size", failure) && ok;
        ok = find(handle, l.outfile_msole_new, "gsf_outfile_msole_new", failure) && ok;
        ok = find(handle, l.outfile_new_child, "gsf_outfile_new_child", failure) && ok;
        ok = find(handle, l.object_unref, "g_object_unref", failure) && ok;
        ok = find(handle, l.error_free, "g_error_free", failure) && ok;
        ok = find(handle, l.type_check_instance_is_a, "g_type_check_instance_is_a", failure) && ok;
        ok = find(handle, l.log_set_handler, "g_log_set_handler", failure) && ok;
        ok = find(handle, l.log_remove_handler, "g_log_remove_handler", failure) && ok;
        if (ok) {
            init();
            loaded = &library;
        }
    });
    if (!loaded && error) {
        *error = failure;
    }
    return loaded;
}

}  // namespace sorvel
