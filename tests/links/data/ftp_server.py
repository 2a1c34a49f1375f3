#!/usr/bin/env python3
"""An FTP server for the publisher's tests (pyftpdlib).

ftp_server.py FOLDER USER PASSWORD [--drop-after BYTES] [--throttle BYTES]

Serves FOLDER to USER on 127.0.0.1 at a free port, which it prints as the
first line of its output, and ends when its input closes. --drop-after
closes both connections once an upload has brought that many bytes;
--throttle takes uploads in at that many bytes a second.
"""
import argparse
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("user")
    parser.add_argument("password")
    parser.add_argument("--drop-after", type=int, default=0)
    parser.add_argument("--throttle", type=int, default=0)
    args = parser.parse_args()

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.folder, perm="elradfmwMT")

    if args.throttle:
        class Data(ThrottledDTPHandler):
            read_limit = args.throttle
    else:
        class Data(DTPHandler):
            pass

    if args.drop_after:
        class Dropping(Data):
            def handle_read(self):
                super().handle_read()
                if self.tot_bytes_received >= args.drop_after:
                    self.cmd_channel.close()
                    self.close()

            # The base class binds this name to its own handle_read.
            handle_read_event = handle_read
        data_handler = Dropping
    else:
        data_handler = Data

    class Handler(FTPHandler):
        dtp_handler = data_handler

    Handler.authorizer = authorizer
    Handler.dtp_handler.ac_in_buffer_size = 4096
    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.address[1], flush=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    sys.stdin.read()
    server.close_all()


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.ERROR)
    main()
