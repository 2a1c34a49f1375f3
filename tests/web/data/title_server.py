#!/usr/bin/env python3
"""A small web server for the tests of the title fetcher and the enclosure
probe.

Serves on 127.0.0.1 at a free port, which it prints as the first line of its
output. Pages come from this folder or are made up per path; /stats tells how
often each path (with its query) was asked for and how many /delay requests
were served at the same time at most. HEAD requests get the headers of GET.
"""
import json
import os
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlsplit

HERE = os.path.dirname(os.path.abspath(__file__))
MIB = 1024 * 1024

lock = threading.Lock()
counts = {}
running = 0
max_running = 0


def page(title_markup, body=""):
    return f"<html><head>{title_markup}</head><body>{body}</body></html>\n".encode("utf-8")


def filler(size):
    line = b"<p>lorem ipsum dolor sit amet consectetur adipiscing elit</p>\n"
    return line * (size // len(line) + 1)


STATIC = {
    "/multiline": page("<title>\n  First line\r\n second line\r third\n</title>"),
    "/caps": b"<HTML><HEAD><TITLE>Capital Letters</TITLE></HEAD><BODY>x</BODY></HTML>",
    "/noend": page("<title>Never closed", "<p>text</p>"),
    "/refs": page("<title>Tom &amp; Jerry &lt;3 &gt; &apos;x&apos; &quot;y&quot;"
                  " &nbsp; &#169; &#x41;</title>"),
    "/emoji": page("<title>Smile \U0001F600 here</title>"),
    "/control": page("<title>Line\x0bbreak\x01 and\x0cpage\x1f</title>"),
    "/long-title": page("<title>" + "word " * 1000 + "</title>"),
    "/huge-title-first": b"<html><head><title>Big Page</title></head><body>"
                         + filler(5 * MIB) + b"</body></html>",
    "/huge-title-late": b"<html><body>" + filler(4 * MIB + MIB // 2)
                        + b"<title>Too Late</title></body></html>",
}


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    head_only = False

    def log_message(self, *args):
        pass

    def send_body(self, body, status=200, headers=()):
        self.send_response(status)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        if self.head_only:
            return
        try:
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass

    def do_HEAD(self):
        self.head_only = True
        self.do_GET()

    def do_GET(self):
        global running, max_running
        url = urlsplit(self.path)
        query = parse_qs(url.query)
        if url.path == "/stats":
            with lock:
                body = json.dumps({"counts": counts, "max_running": max_running})
            self.send_body(body.encode("utf-8"))
            return
        with lock:
            counts[self.path] = counts.get(self.path, 0) + 1
        if url.path != "/delay":
            self.serve(url.path, query)
            return
        # A fetch counts as running only while its answer is held back: the
        # client may start the next one as soon as a body arrives, before
        # this thread could count the finished one down.
        with lock:
            running += 1
            max_running = max(max_running, running)
        try:
            time.sleep(float(query["ms"][0]) / 1000)
        finally:
            with lock:
                running -= 1
        self.send_body(page(f"<title>Delayed {query['id'][0]}</title>"))

    def serve(self, path, query):
        if path in STATIC:
            self.send_body(STATIC[path])
        elif path.startswith("/file/"):
            with open(os.path.join(HERE, os.path.basename(path)), "rb") as f:
                self.send_body(f.read())
        elif path == "/redirect":
            status = int(query.get("status", ["302"])[0])
            self.send_body(b"", status, [("Location", query["to"][0])])
        elif path == "/big-feed":
            # /big-feed?size=<bytes>: a feed that long, its length not told.
            self.send_response(200)
            self.send_header("Content-Type", "application/rss+xml")
            self.send_header("Connection", "close")
            self.close_connection = True
            self.end_headers()
            self.wfile.write(b'<?xml version="1.0"?><rss version="2.0"><channel><title>Big</title>')
            item = b"<item><title>Filler</title></item>\n" * 1000
            try:
                for _ in range(int(query["size"][0]) // len(item) + 1):
                    self.wfile.write(item)
            except (BrokenPipeError, ConnectionResetError):
                pass
        elif path == "/loop":
            self.send_body(b"", 302, [("Location", "/loop")])
        elif path.startswith("/media/"):
            # /media/<name>?type=<type>[&size=<bytes>][&ms=<delay>]: a media
            # file of that type; without a size, the length is not told.
            time.sleep(float(query.get("ms", ["0"])[0]) / 1000)
            self.send_response(200)
            self.send_header("Content-Type", query["type"][0])
            if "size" in query:
                self.send_header("Content-Length", query["size"][0])
            else:
                self.send_header("Connection", "close")
                self.close_connection = True
            self.end_headers()
        elif path == "/notfound":
            self.send_body(page("<title>Not Found</title>"), 404)
        elif path == "/slow":
            time.sleep(float(query.get("seconds", ["30"])[0]))
            self.send_body(page("<title>Too Slow</title>"))
        elif path.startswith("/page/"):
            # /page/<ms>/<name>.html: after <ms> milliseconds, a page whose
            # title quotes <name>; the path alone names it, as links do.
            ms, name = path[len("/page/"):].split("/", 1)
            time.sleep(int(ms) / 1000)
            self.send_body(page(f'<title>Title "{name.rsplit(".", 1)[0]}"</title>'))
        elif path.lower() == "/case":
            self.send_body(page(f"<title>Title of {path}</title>"))
        else:
            self.send_body(page("<title>No such page</title>"), 404)


class Server(ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # Clients that give up (time-outs, size caps) reset their connections.
        pass


def main():
    server = Server(("127.0.0.1", 0), Handler)
    print(server.server_address[1], flush=True)
    # Ends with the test: its closed input is the signal.
    threading.Thread(target=server.serve_forever, daemon=True).start()
    sys.stdin.read()


if __name__ == "__main__":
    main()
