/*
 * A small host for libquiverstep.so, in C: it loads the library with dlopen, creates the
 * plug-in, starts guiding, makes one guide correction, finishes one image and makes one
 * more correction toward the new dither target, printing each Move it is asked for.
 *
 *   cc -I library examples/host.c -ldl -o example-host
 *   QUIVERSTEP_STORE=/tmp/example.db ./example-host build/libquiverstep.so
 */
#define _POSIX_C_SOURCE 200809L

#include "quiverstep.h"

#include <dlfcn.h>
#include <stdio.h>
#include <string.h>
#include <strings.h>

/* The host's camera: the guide error its autoguider reports. */
typedef struct Camera {
    double guide_error_x;
    double guide_error_y;
} Camera;

static void *camera_create(void *context)
{
    return context;
}

static void camera_release(void *context, void *camera)
{
    (void) context;
    (void) camera;
}

static int camera_get(void *context, void *camera, const char *member, QuiverstepValue *value)
{
    const Camera *c = camera;
    (void) context;
    value->type = QUIVERSTEP_NUMBER;
    /* Member names are matched without regard to case. */
    if (strcasecmp(member, "GuideErrorX") == 0)
        value->number = c->guide_error_x;
    else if (strcasecmp(member, "GuideErrorY") == 0)
        value->number = c->guide_error_y;
    else if (strcasecmp(member, "AutoguiderMaximumMove") == 0)
        value->number = 1000;
    else if (strcasecmp(member, "AutoguiderMinimumMove") == 0)
        value->number = 100;
    else
        return 1; /* this host knows no other member */
    return 0;
}

static int camera_set(void *context, void *camera, const char *member,
                      const QuiverstepValue *value)
{
    (void) context;
    (void) camera;
    (void) member;
    (void) value;
    return 0;
}

static int camera_move(void *context, void *camera, double from_x, double from_y, double *to_x,
                       double *to_y)
{
    (void) context;
    (void) camera;
    printf("Move(%g, %g, %g, %g)\n", from_x, from_y, *to_x, *to_y);
    return 0;
}

/* The library's functions, looked up by name. */
typedef struct Api {
    QuiverstepPlugIn *(*create)(const QuiverstepHostCamera *);
    void (*release)(QuiverstepPlugIn *);
    size_t (*name)(const QuiverstepPlugIn *, char *, size_t);
    int32_t (*want_event)(QuiverstepPlugIn *, int32_t);
    void (*camera_event)(QuiverstepPlugIn *, int32_t, int32_t, const char *, int32_t, int32_t);
    QuiverstepStatus (*get)(const QuiverstepPlugIn *, const char *, QuiverstepValue *);
    const char *(*last_error)(void);
} Api;

/* POSIX's way to turn dlsym's object pointer into a function pointer. */
static int look_up(void *library, const char *symbol, void *function)
{
    void *address = dlsym(library, symbol);
    if (!address) {
        fprintf(stderr, "example-host: %s\n", dlerror());
        return 0;
    }
    memcpy(function, &address, sizeof address);
    return 1;
}

static void print_target(const Api *api, QuiverstepPlugIn *plugin, const char *when)
{
    QuiverstepValue x, y;
    if (api->get(plugin, "XOffset", &x) == QUIVERSTEP_OK
        && api->get(plugin, "YOffset", &y) == QUIVERSTEP_OK)
        printf("%s: target %g, %g\n", when, x.number, y.number);
}

int main(int argc, char **argv)
{
    const char *path = argc > 1 ? argv[1] : "libquiverstep.so";
    void *library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    Api api;
    Camera camera = {0, 0};
    QuiverstepHostCamera table;
    QuiverstepPlugIn *plugin;
    char name[64];

    if (!library) {
        fprintf(stderr, "example-host: %s\n", dlerror());
        return 1;
    }
    if (!look_up(library, "quiverstep_create", &api.create)
        || !look_up(library, "quiverstep_release", &api.release)
        || !look_up(library, "quiverstep_Name", &api.name)
        || !look_up(library, "quiverstep_WantEvent", &api.want_event)
        || !look_up(library, "quiverstep_CameraEvent", &api.camera_event)
        || !look_up(library, "quiverstep_get", &api.get)
        || !look_up(library, "quiverstep_last_error", &api.last_error))
        return 1;

    table.context = &camera;
    table.create = camera_create;
    table.release = camera_release;
    table.get = camera_get;
    table.set = camera_set;
    table.move = camera_move;
    plugin = api.create(&table);
    if (!plugin) {
        fprintf(stderr, "example-host: %s\n", api.last_error());
        return 1;
    }

    api.name(plugin, name, sizeof name);
    printf("Loaded %s; wants events 19: %d, 22: %d\n", name, (int) api.want_event(plugin, 19),
           (int) api.want_event(plugin, 22));

    /* The first guide frame reports no error: guiding starts. */
    api.camera_event(plugin, 22, 1, "", 0, 0);
    print_target(&api, plugin, "Guiding started");

    /* A guide frame with an error: the plug-in corrects toward the target. */
    camera.guide_error_x = 0.5;
    camera.guide_error_y = -0.2;
    api.camera_event(plugin, 22, 1, "", 0, 0);

    /* The imaging camera has finished an image: the target moves on. */
    api.camera_event(plugin, 19, 0, "", 0, 0);
    print_target(&api, plugin, "Image finished");

    /* The next guide frame walks the star toward the new target. */
    camera.guide_error_x = 0.1;
    camera.guide_error_y = 0.3;
    api.camera_event(plugin, 22, 1, "", 0, 0);

    api.release(plugin);
    dlclose(library);
    return 0;
}
