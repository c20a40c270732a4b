#!/usr/bin/env python3
"""Serves a folder on 127.0.0.1 at a free port and prints the port; stops
when its standard input closes or it is terminated (the test has ended)."""
import functools
import http.server
import sys
import threading


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def main():
    folder = sys.argv[1]
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    print(server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    sys.stdin.read()
    server.shutdown()


if __name__ == "__main__":
    main()
