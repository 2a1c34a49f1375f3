#!/usr/bin/env python3
"""Answers S3 requests with S3's error answers, for the messages that
name what to fix. The bucket names the error code: a PUT to
/RequestTimeTooSkewed/feed.xml is refused with that code. In the bucket
CopyFails uploads succeed and a copy answers 200 with an error in its body,
as S3 does when a copy fails part way. HEAD finds nothing.

Serves on 127.0.0.1 at a free port, which it prints as the first line of
its output; ends when its standard input closes."""
import sys
import threading
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


def error(code, message):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n<Error><Code>{code}</Code>'
            f'<Message>{message}</Message><RequestId>1</RequestId></Error>').encode()


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self, status, body=b""):
        self.send_response(status)
        self.send_header("Content-Type", "application/xml")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def do_HEAD(self):
        self.answer(404)

    def do_DELETE(self):
        self.answer(204)

    def do_PUT(self):
        self.rfile.read(int(self.headers.get("Content-Length", "0")))
        bucket = self.path.split("/")[1]
        if bucket == "CopyFails":
            copy = "x-amz-copy-source" in self.headers
            self.answer(200, error("InternalError", "We encountered an internal error.") if copy else b"")
        elif bucket == "NoCode":
            self.answer(502, b"<html>Bad gateway</html>")
        else:
            self.answer(400 if bucket == "AuthorizationHeaderMalformed" else 403,
                        error(bucket, "Refused for the test."))


server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
threading.Thread(target=server.serve_forever, daemon=True).start()
print(server.server_address[1], flush=True)
sys.stdin.read()
server.shutdown()
